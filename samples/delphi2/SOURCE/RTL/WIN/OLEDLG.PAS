{ OleDlg: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit OleDlg;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Ole2, OleCtl;

const
  OleDlgSample = 'Quillmap''s sample of OleDlg';

type

  IOleUILinkContainer = class(IUnknown)
  public
    function GetNextLink: Integer;
    procedure SetLinkUpdateOptions;
    function GetLinkUpdateOptions: Integer;
    procedure SetLinkSource;
    function GetLinkSource: Integer;
    function OpenLinkSource: Boolean;
    procedure UpdateLink;
    function CancelLink: Boolean;
  end;

  IOleUIObjInfo = class(IUnknown)
  public
    function GetObjectInfo: Integer;
    function GetConvertInfo: Integer;
    procedure ConvertObject;
    function GetViewInfo: Integer;
    procedure SetViewInfo;
  end;

  IOleUILinkInfo = class(IOleUILinkContainer)
  public
    function GetLastUpdate: Integer;
  end;

  TOleUIDialogRecord = class
  private
    FOwner: TComponent;
    FCaption: string;
    FFlags: Integer;
    FLastResult: Integer;
    FChangeCount: Integer;
    function GetOwner: TComponent;
    procedure SetOwner(const Value: TComponent);
    function GetCaption: string;
    procedure SetCaption(const Value: string);
    function GetFlags: Integer;
    procedure SetFlags(const Value: Integer);
    function GetLastResult: Integer;
    procedure SetLastResult(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    function Execute: Boolean;
    procedure ErrorText;
    property Owner: TComponent read GetOwner write SetOwner;
    property Caption: string read GetCaption write SetCaption;
    property Flags: Integer read GetFlags write SetFlags;
    property LastResult: Integer read GetLastResult write SetLastResult;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ IOleUILinkContainer }

function IOleUILinkContainer.GetNextLink: Integer;
begin
  Result := 0;
end;

procedure IOleUILinkContainer.SetLinkUpdateOptions;
begin
  // A bare object keeps no state for SetLinkUpdateOptions to change.
end;

function IOleUILinkContainer.GetLinkUpdateOptions: Integer;
begin
  Result := 0;
end;

procedure IOleUILinkContainer.SetLinkSource;
begin
  // A bare object keeps no state for SetLinkSource to change.
end;

function IOleUILinkContainer.GetLinkSource: Integer;
begin
  Result := 0;
end;

function IOleUILinkContainer.OpenLinkSource: Boolean;
begin
  Result := Self <> nil;
end;

procedure IOleUILinkContainer.UpdateLink;
begin
  // A bare object keeps no state for UpdateLink to change.
end;

function IOleUILinkContainer.CancelLink: Boolean;
begin
  Result := Self <> nil;
end;

{ IOleUIObjInfo }

function IOleUIObjInfo.GetObjectInfo: Integer;
begin
  Result := 0;
end;

function IOleUIObjInfo.GetConvertInfo: Integer;
begin
  Result := 0;
end;

procedure IOleUIObjInfo.ConvertObject;
begin
  // A bare object keeps no state for ConvertObject to change.
end;

function IOleUIObjInfo.GetViewInfo: Integer;
begin
  Result := 0;
end;

procedure IOleUIObjInfo.SetViewInfo;
begin
  // A bare object keeps no state for SetViewInfo to change.
end;

{ IOleUILinkInfo }

function IOleUILinkInfo.GetLastUpdate: Integer;
begin
  Result := 0;
end;

{ TOleUIDialogRecord }

function TOleUIDialogRecord.GetOwner: TComponent;
begin
  Result := FOwner;
end;

procedure TOleUIDialogRecord.SetOwner(const Value: TComponent);
begin
  if FOwner <> Value then
  begin
    FOwner := Value;
    StateChanged;
  end;
end;

function TOleUIDialogRecord.GetCaption: string;
begin
  Result := FCaption;
end;

procedure TOleUIDialogRecord.SetCaption(const Value: string);
begin
  if FCaption <> Value then
  begin
    FCaption := Value;
    StateChanged;
  end;
end;

function TOleUIDialogRecord.GetFlags: Integer;
begin
  Result := FFlags;
end;

procedure TOleUIDialogRecord.SetFlags(const Value: Integer);
begin
  if FFlags <> Value then
  begin
    FFlags := Value;
    StateChanged;
  end;
end;

function TOleUIDialogRecord.GetLastResult: Integer;
begin
  Result := FLastResult;
end;

procedure TOleUIDialogRecord.SetLastResult(const Value: Integer);
begin
  if FLastResult <> Value then
  begin
    FLastResult := Value;
    StateChanged;
  end;
end;

procedure TOleUIDialogRecord.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TOleUIDialogRecord.Create;
begin
  inherited Create;
end;

function TOleUIDialogRecord.Execute: Boolean;
begin
  Result := FCaption <> '';
end;

procedure TOleUIDialogRecord.ErrorText;
begin
  if FCaption = '' then
    FCaption := ClassName + '''s errortext'
  else
    FCaption := Trim(FCaption);
end;

end.
