{ OleCtl: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit OleCtl;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Ole2;

const
  OleCtlSample = 'Quillmap''s sample of OleCtl';

type

  IClassFactory2 = class(IClassFactory)
  public
    function GetLicInfo: Integer;
    procedure RequestLicKey;
    procedure CreateInstanceLic;
  end;

  IProvideClassInfo = class(IUnknown)
  public
    function GetClassInfo: Integer;
  end;

  IProvideClassInfo2 = class(IProvideClassInfo)
  public
    function GetGUID: Integer;
  end;

  IOleControl = class(IUnknown)
  public
    function GetControlInfo: Integer;
    procedure OnMnemonic;
    procedure OnAmbientPropertyChange;
    procedure FreezeEvents;
  end;

  IOleControlSite = class(IUnknown)
  public
    procedure OnControlInfoChanged; virtual;
    procedure LockInPlaceActive; virtual;
    function GetExtendedControl: Integer; virtual;
    procedure TransformCoords; virtual;
    procedure TranslateAccelerator; virtual;
    procedure OnFocus; virtual;
    procedure ShowPropertyFrame; virtual;
  end;

  ISimpleFrameSite = class(IUnknown)
  public
    procedure PreMessageFilter;
    procedure PostMessageFilter;
  end;

  IPersistStreamInit = class(IPersist)
  public
    function IsDirty: Boolean;
    procedure Load;
    procedure Save;
    function GetSizeMax: Integer;
    procedure InitNew;
  end;

  IPersistMemory = class(IPersist)
  public
    function IsDirty: Boolean;
    procedure Load;
    procedure Save;
    function GetSizeMax: Integer;
    procedure InitNew;
  end;

  IErrorLog = class(IUnknown)
  public
    function AddError: Integer;
  end;

  IPropertyBag = class(IUnknown)
  public
    procedure Read;
    procedure Write;
  end;

  IPersistPropertyBag = class(IPersist)
  public
    procedure InitNew;
    procedure Load;
    procedure Save;
  end;

  IPropertyNotifySink = class(IUnknown)
  public
    procedure OnChanged;
    procedure OnRequestEdit;
  end;

  IPropertyPage = class(IUnknown)
  public
    procedure SetPageSite;
    procedure Activate;
    procedure Deactivate;
    function GetPageInfo: Integer;
    procedure SetObjects;
    procedure Show;
    procedure Move;
    function IsPageDirty: Boolean;
    procedure Apply;
    procedure Help;
    procedure TranslateAccelerator;
  end;

  IPropertyPage2 = class(IPropertyPage)
  public
    procedure EditProperty;
  end;

  IPropertyPageSite = class(IUnknown)
  public
    procedure OnStatusChange;
    function GetLocaleID: Integer;
    function GetPageContainer: Integer;
    procedure TranslateAccelerator;
  end;

  ISpecifyPropertyPages = class(IUnknown)
  public
    function GetPages: Integer;
  end;

  IPerPropertyBrowsing = class(IUnknown)
  public
    function GetDisplayString: Integer;
    procedure MapPropertyToPage;
    function GetPredefinedStrings: Integer;
    function GetPredefinedValue: Integer;
  end;

  IFont = class(IUnknown)
  public
    procedure get_Name;
    procedure put_Name;
    procedure get_Size;
    procedure put_Size;
    procedure get_Bold;
    procedure put_Bold;
    procedure get_Italic;
    procedure put_Italic;
    procedure get_Underline;
    procedure put_Underline;
    procedure get_Strikethrough;
    procedure put_Strikethrough;
    procedure get_Weight;
    procedure put_Weight;
    procedure get_Charset;
    procedure put_Charset;
    procedure get_hFont;
    procedure Clone;
    function IsEqual: Boolean;
    procedure SetRatio;
    procedure QueryTextMetrics;
    function AddRefHfont: Integer;
    procedure ReleaseHfont;
  end;

  IFontDisp = class(IDispatch)
  end;

  IPicture = class(IUnknown)
  public
    procedure get_Handle;
    procedure get_hPal;
    procedure get_Type;
    procedure get_Width;
    procedure get_Height;
    procedure Render;
    procedure set_hPal;
    procedure get_CurDC;
    procedure SelectPicture;
    procedure get_KeepOriginalFormat;
    procedure put_KeepOriginalFormat;
    procedure PictureChanged;
    procedure SaveAsFile;
    procedure get_Attributes;
  end;

  IPictureDisp = class(IDispatch)
  end;

  IEnumConnections = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IEnumConnectionPoints = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IConnectionPointContainer = class(IUnknown)
  public
    procedure EnumConnectionPoints;
    function FindConnectionPoint: Boolean;
  end;

  IConnectionPoint = class(IUnknown)
  public
    function GetConnectionInterface: Integer;
    function GetConnectionPointContainer: Integer;
    procedure Advise;
    procedure Unadvise;
    procedure EnumConnections;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ IClassFactory2 }

function IClassFactory2.GetLicInfo: Integer;
begin
  Result := 0;
end;

procedure IClassFactory2.RequestLicKey;
begin
  // A bare object keeps no state for RequestLicKey to change.
end;

procedure IClassFactory2.CreateInstanceLic;
begin
  // A bare object keeps no state for CreateInstanceLic to change.
end;

{ IProvideClassInfo }

function IProvideClassInfo.GetClassInfo: Integer;
begin
  Result := 0;
end;

{ IProvideClassInfo2 }

function IProvideClassInfo2.GetGUID: Integer;
begin
  Result := 0;
end;

{ IOleControl }

function IOleControl.GetControlInfo: Integer;
begin
  Result := 0;
end;

procedure IOleControl.OnMnemonic;
begin
  // A bare object keeps no state for OnMnemonic to change.
end;

procedure IOleControl.OnAmbientPropertyChange;
begin
  // A bare object keeps no state for OnAmbientPropertyChange to change.
end;

procedure IOleControl.FreezeEvents;
begin
  // A bare object keeps no state for FreezeEvents to change.
end;

{ IOleControlSite }

procedure IOleControlSite.OnControlInfoChanged;
begin
  // A bare object keeps no state for OnControlInfoChanged to change.
end;

procedure IOleControlSite.LockInPlaceActive;
begin
  // A bare object keeps no state for LockInPlaceActive to change.
end;

function IOleControlSite.GetExtendedControl: Integer;
begin
  Result := 0;
end;

procedure IOleControlSite.TransformCoords;
begin
  // A bare object keeps no state for TransformCoords to change.
end;

procedure IOleControlSite.TranslateAccelerator;
begin
  // A bare object keeps no state for TranslateAccelerator to change.
end;

procedure IOleControlSite.OnFocus;
begin
  // A bare object keeps no state for OnFocus to change.
end;

procedure IOleControlSite.ShowPropertyFrame;
begin
  // A bare object keeps no state for ShowPropertyFrame to change.
end;

{ ISimpleFrameSite }

procedure ISimpleFrameSite.PreMessageFilter;
begin
  // A bare object keeps no state for PreMessageFilter to change.
end;

procedure ISimpleFrameSite.PostMessageFilter;
begin
  // A bare object keeps no state for PostMessageFilter to change.
end;

{ IPersistStreamInit }

function IPersistStreamInit.IsDirty: Boolean;
begin
  Result := Self <> nil;
end;

procedure IPersistStreamInit.Load;
begin
  // A bare object keeps no state for Load to change.
end;

procedure IPersistStreamInit.Save;
begin
  // A bare object keeps no state for Save to change.
end;

function IPersistStreamInit.GetSizeMax: Integer;
begin
  Result := 0;
end;

procedure IPersistStreamInit.InitNew;
begin
  // A bare object keeps no state for InitNew to change.
end;

{ IPersistMemory }

function IPersistMemory.IsDirty: Boolean;
begin
  Result := Self <> nil;
end;

procedure IPersistMemory.Load;
begin
  // A bare object keeps no state for Load to change.
end;

procedure IPersistMemory.Save;
begin
  // A bare object keeps no state for Save to change.
end;

function IPersistMemory.GetSizeMax: Integer;
begin
  Result := 0;
end;

procedure IPersistMemory.InitNew;
begin
  // A bare object keeps no state for InitNew to change.
end;

{ IErrorLog }

function IErrorLog.AddError: Integer;
begin
  Result := 0;
end;

{ IPropertyBag }

procedure IPropertyBag.Read;
begin
  // A bare object keeps no state for Read to change.
end;

procedure IPropertyBag.Write;
begin
  // A bare object keeps no state for Write to change.
end;

{ IPersistPropertyBag }

procedure IPersistPropertyBag.InitNew;
begin
  // A bare object keeps no state for InitNew to change.
end;

procedure IPersistPropertyBag.Load;
begin
  // A bare object keeps no state for Load to change.
end;

procedure IPersistPropertyBag.Save;
begin
  // A bare object keeps no state for Save to change.
end;

{ IPropertyNotifySink }

procedure IPropertyNotifySink.OnChanged;
begin
  // A bare object keeps no state for OnChanged to change.
end;

procedure IPropertyNotifySink.OnRequestEdit;
begin
  // A bare object keeps no state for OnRequestEdit to change.
end;

{ IPropertyPage }

procedure IPropertyPage.SetPageSite;
begin
  // A bare object keeps no state for SetPageSite to change.
end;

procedure IPropertyPage.Activate;
begin
  // A bare object keeps no state for Activate to change.
end;

procedure IPropertyPage.Deactivate;
begin
  // A bare object keeps no state for Deactivate to change.
end;

function IPropertyPage.GetPageInfo: Integer;
begin
  Result := 0;
end;

procedure IPropertyPage.SetObjects;
begin
  // A bare object keeps no state for SetObjects to change.
end;

procedure IPropertyPage.Show;
begin
  // A bare object keeps no state for Show to change.
end;

procedure IPropertyPage.Move;
begin
  // A bare object keeps no state for Move to change.
end;

function IPropertyPage.IsPageDirty: Boolean;
begin
  Result := Self <> nil;
end;

procedure IPropertyPage.Apply;
begin
  // A bare object keeps no state for Apply to change.
end;

procedure IPropertyPage.Help;
begin
  // A bare object keeps no state for Help to change.
end;

procedure IPropertyPage.TranslateAccelerator;
begin
  // A bare object keeps no state for TranslateAccelerator to change.
end;

{ IPropertyPage2 }

procedure IPropertyPage2.EditProperty;
begin
  // A bare object keeps no state for EditProperty to change.
end;

{ IPropertyPageSite }

procedure IPropertyPageSite.OnStatusChange;
begin
  // A bare object keeps no state for OnStatusChange to change.
end;

function IPropertyPageSite.GetLocaleID: Integer;
begin
  Result := 0;
end;

function IPropertyPageSite.GetPageContainer: Integer;
begin
  Result := 0;
end;

procedure IPropertyPageSite.TranslateAccelerator;
begin
  // A bare object keeps no state for TranslateAccelerator to change.
end;

{ ISpecifyPropertyPages }

function ISpecifyPropertyPages.GetPages: Integer;
begin
  Result := 0;
end;

{ IPerPropertyBrowsing }

function IPerPropertyBrowsing.GetDisplayString: Integer;
begin
  Result := 0;
end;

procedure IPerPropertyBrowsing.MapPropertyToPage;
begin
  // A bare object keeps no state for MapPropertyToPage to change.
end;

function IPerPropertyBrowsing.GetPredefinedStrings: Integer;
begin
  Result := 0;
end;

function IPerPropertyBrowsing.GetPredefinedValue: Integer;
begin
  Result := 0;
end;

{ IFont }

procedure IFont.get_Name;
begin
  // A bare object keeps no state for get_Name to change.
end;

procedure IFont.put_Name;
begin
  // A bare object keeps no state for put_Name to change.
end;

procedure IFont.get_Size;
begin
  // A bare object keeps no state for get_Size to change.
end;

procedure IFont.put_Size;
begin
  // A bare object keeps no state for put_Size to change.
end;

procedure IFont.get_Bold;
begin
  // A bare object keeps no state for get_Bold to change.
end;

procedure IFont.put_Bold;
begin
  // A bare object keeps no state for put_Bold to change.
end;

procedure IFont.get_Italic;
begin
  // A bare object keeps no state for get_Italic to change.
end;

procedure IFont.put_Italic;
begin
  // A bare object keeps no state for put_Italic to change.
end;

procedure IFont.get_Underline;
begin
  // A bare object keeps no state for get_Underline to change.
end;

procedure IFont.put_Underline;
begin
  // A bare object keeps no state for put_Underline to change.
end;

procedure IFont.get_Strikethrough;
begin
  // A bare object keeps no state for get_Strikethrough to change.
end;

procedure IFont.put_Strikethrough;
begin
  // A bare object keeps no state for put_Strikethrough to change.
end;

procedure IFont.get_Weight;
begin
  // A bare object keeps no state for get_Weight to change.
end;

procedure IFont.put_Weight;
begin
  // A bare object keeps no state for put_Weight to change.
end;

procedure IFont.get_Charset;
begin
  // A bare object keeps no state for get_Charset to change.
end;

procedure IFont.put_Charset;
begin
  // A bare object keeps no state for put_Charset to change.
end;

procedure IFont.get_hFont;
begin
  // A bare object keeps no state for get_hFont to change.
end;

procedure IFont.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

function IFont.IsEqual: Boolean;
begin
  Result := Self <> nil;
end;

procedure IFont.SetRatio;
begin
  // A bare object keeps no state for SetRatio to change.
end;

procedure IFont.QueryTextMetrics;
begin
  // A bare object keeps no state for QueryTextMetrics to change.
end;

function IFont.AddRefHfont: Integer;
begin
  Result := 0;
end;

procedure IFont.ReleaseHfont;
begin
  // A bare object keeps no state for ReleaseHfont to change.
end;

{ IPicture }

procedure IPicture.get_Handle;
begin
  // A bare object keeps no state for get_Handle to change.
end;

procedure IPicture.get_hPal;
begin
  // A bare object keeps no state for get_hPal to change.
end;

procedure IPicture.get_Type;
begin
  // A bare object keeps no state for get_Type to change.
end;

procedure IPicture.get_Width;
begin
  // A bare object keeps no state for get_Width to change.
end;

procedure IPicture.get_Height;
begin
  // A bare object keeps no state for get_Height to change.
end;

procedure IPicture.Render;
begin
  // A bare object keeps no state for Render to change.
end;

procedure IPicture.set_hPal;
begin
  // A bare object keeps no state for set_hPal to change.
end;

procedure IPicture.get_CurDC;
begin
  // A bare object keeps no state for get_CurDC to change.
end;

procedure IPicture.SelectPicture;
begin
  // A bare object keeps no state for SelectPicture to change.
end;

procedure IPicture.get_KeepOriginalFormat;
begin
  // A bare object keeps no state for get_KeepOriginalFormat to change.
end;

procedure IPicture.put_KeepOriginalFormat;
begin
  // A bare object keeps no state for put_KeepOriginalFormat to change.
end;

procedure IPicture.PictureChanged;
begin
  // A bare object keeps no state for PictureChanged to change.
end;

procedure IPicture.SaveAsFile;
begin
  // A bare object keeps no state for SaveAsFile to change.
end;

procedure IPicture.get_Attributes;
begin
  // A bare object keeps no state for get_Attributes to change.
end;

{ IEnumConnections }

procedure IEnumConnections.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumConnections.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumConnections.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumConnections.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IEnumConnectionPoints }

procedure IEnumConnectionPoints.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumConnectionPoints.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumConnectionPoints.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumConnectionPoints.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IConnectionPointContainer }

procedure IConnectionPointContainer.EnumConnectionPoints;
begin
  // A bare object keeps no state for EnumConnectionPoints to change.
end;

function IConnectionPointContainer.FindConnectionPoint: Boolean;
begin
  Result := Self <> nil;
end;

{ IConnectionPoint }

function IConnectionPoint.GetConnectionInterface: Integer;
begin
  Result := 0;
end;

function IConnectionPoint.GetConnectionPointContainer: Integer;
begin
  Result := 0;
end;

procedure IConnectionPoint.Advise;
begin
  // A bare object keeps no state for Advise to change.
end;

procedure IConnectionPoint.Unadvise;
begin
  // A bare object keeps no state for Unadvise to change.
end;

procedure IConnectionPoint.EnumConnections;
begin
  // A bare object keeps no state for EnumConnections to change.
end;

end.
