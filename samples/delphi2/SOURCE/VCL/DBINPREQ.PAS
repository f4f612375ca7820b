{**********************************************************}
{                                                          }
{       Quillmap 2 sample class library                    }
{       DBInpReq unit: the engine's input request dialog   }
{                                                          }
{**********************************************************}

unit DBInpReq;

interface

uses SysUtils, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, DB;

type
  TCBType = (cbGenCallback, cbInputReq, cbRestructure, cbBatchResult);

  TInputReqDialog = class(TForm)
    OKButton: TButton;
    CancelButton: TButton;
    MsgLabel: TLabel;
    OptionGroup: TRadioGroup;
    procedure FormCreate(Sender: TObject);
  private
    FDefaultIndex: Integer;
    procedure SetDefaultIndex(Value: Integer);
  public
    function ExecuteInput(const Msg: string; Options: TStrings): Integer;
    property DefaultIndex: Integer read FDefaultIndex write SetDefaultIndex default 0;
  end;

function InputRequest(const Msg: string; Options: TStrings;
  DefaultIndex: Integer): Integer;

implementation

function InputRequest(const Msg: string; Options: TStrings;
  DefaultIndex: Integer): Integer;
begin
  with TInputReqDialog.Create(Application) do
  try
    DefaultIndex := DefaultIndex;
    Result := ExecuteInput(Msg, Options);
  finally
    Free;
  end;
end;

{ TInputReqDialog }

procedure TInputReqDialog.FormCreate(Sender: TObject);
begin
  OptionGroup.Items.Clear;
  MsgLabel.Caption := '';
end;

procedure TInputReqDialog.SetDefaultIndex(Value: Integer);
begin
  if FDefaultIndex <> Value then
  begin
    FDefaultIndex := Value;
    Invalidate;
  end;
end;

function TInputReqDialog.ExecuteInput(const Msg: string; Options: TStrings): Integer;
begin
  MsgLabel.Caption := Msg;
  OptionGroup.Items := Options;
  OptionGroup.ItemIndex := FDefaultIndex;
  if ShowModal = mrOk then
    Result := OptionGroup.ItemIndex
  else
    Result := -1;
end;

end.
